function cm_install(){
	dotrans=cm_dotrans;
	lm_hold=cm_hold;
	if(cm_kind==3){
		cm_followPointer();
		cm_skipParkedPages();
		return;
	}
	mdivmo=function(gnum,gnum5){
		cm_point(true);
		lm_halt(gnum,gnum5);
	};
	restime=function(gnum2,gnum5){
		lm_go(gnum2,gnum5);
		cm_point(false);
	};
}
if(cm_able){
	cm_install();
}else if(lm_active){
	lm_install();
}
if(lm_moves&&cm_kind!=1&&cm_kind!=3&&typeof fit_measure=="function"){
	lm_measure=fit_measure;
	fit_measure=lm_remeasure;
}else if(cm_able&&cm_kind==3&&typeof fit_measure=="function"){
	lm_measure=fit_measure;
	fit_measure=cm_remeasurePages;
}
if(lm_active){
	lm_watch();
}
