sc config Spooler start= demand
sc config Browser start= demand
sc config LanmanServer start= demand
sc config TermService start= demand
sc config irmon start= demand
sc config RemoteRegistry start= demand
sc config SharedAccess start= auto
